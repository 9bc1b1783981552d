#include "sheet/qt/printqueue.h"

#include <cups/cups.h>

#include <cstring>
#include <memory>

#include <dlfcn.h>

namespace sheet {

namespace {

// The CUPS client library, opened the first time the program speaks to the print server: it
// brings some fifteen libraries of its own (TLS, Kerberos, Avahi) that a session which never
// prints has no need to load at start.
struct Cups {
    bool loaded = false;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpSetTimeout) httpSetTimeout = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsGetOption) cupsGetOption = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsAddOption) cupsAddOption = nullptr;
    decltype(&::cupsPrintFile2) cupsPrintFile2 = nullptr;
    decltype(&::cupsFreeOptions) cupsFreeOptions = nullptr;
};

template <typename F>
bool resolve(void *library, const char *name, F &function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

Cups loadCups()
{
    Cups c;
    // Kept open for the rest of the run: its functions are called from print threads.
    void *library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return c;
    c.loaded = resolve(library, "httpConnect2", c.httpConnect2) && resolve(library, "httpSetTimeout", c.httpSetTimeout) &&
               resolve(library, "httpClose", c.httpClose) && resolve(library, "cupsServer", c.cupsServer) &&
               resolve(library, "ippPort", c.ippPort) && resolve(library, "cupsEncryption", c.cupsEncryption) &&
               resolve(library, "cupsGetOption", c.cupsGetOption) && resolve(library, "cupsGetNamedDest", c.cupsGetNamedDest) &&
               resolve(library, "cupsLastError", c.cupsLastError) && resolve(library, "cupsFreeDests", c.cupsFreeDests) &&
               resolve(library, "cupsAddOption", c.cupsAddOption) && resolve(library, "cupsPrintFile2", c.cupsPrintFile2) &&
               resolve(library, "cupsFreeOptions", c.cupsFreeOptions);
    return c;
}

// The library, loaded once (the first caller waits for it, whatever its thread); not loaded
// when the system has none, which the program takes as a print server that does not answer.
const Cups &cups()
{
    static const Cups loaded = loadCups();
    return loaded;
}

// libcups calls this when a read or write has waited the connection's whole timeout; 0 ends
// the wait with an error instead of starting another.
int giveUp(http_t *, void *)
{
    return 0;
}

struct HttpClose {
    void operator()(http_t *http) const { cups().httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

Connection connectToServer(int timeoutMs)
{
    const Cups &c = cups();
    if (!c.loaded)
        return Connection(nullptr);
    http_t *http = c.httpConnect2(c.cupsServer(), c.ippPort(), nullptr, AF_UNSPEC, c.cupsEncryption(), 1, timeoutMs, nullptr);
    if (http)
        c.httpSetTimeout(http, timeoutMs / 1000.0, giveUp, nullptr);
    return Connection(http);
}

bool optionIs(const cups_dest_t *dest, const char *name, const char *value)
{
    const char *got = cups().cupsGetOption(name, dest->num_options, dest->options);
    return got && std::strcmp(got, value) == 0;
}

} // namespace

QueueProbe ProbeDefaultQueue(int timeoutMs)
{
    return ProbeQueue({}, timeoutMs);
}

QueueProbe ProbeQueue(const std::string &name, int timeoutMs)
{
    QueueProbe probe;
    const Connection http = connectToServer(timeoutMs);
    if (!http)
        return probe;
    const Cups &c = cups();
    cups_dest_t *dest = c.cupsGetNamedDest(http.get(), name.empty() ? nullptr : name.c_str(), nullptr);
    if (!dest) {
        // An answer that names no printer differs from no answer at all.
        const ipp_status_t status = c.cupsLastError();
        if (status == IPP_STATUS_ERROR_NOT_FOUND || status == IPP_STATUS_OK)
            probe.state = QueueState::NoPrinter;
        return probe;
    }
    probe.destination = dest->name ? dest->name : "";
    // printer-state 5 is "stopped": the queue holds its jobs until someone enables it.
    if (optionIs(dest, "printer-is-accepting-jobs", "false"))
        probe.state = QueueState::Refusing;
    else if (optionIs(dest, "printer-state", "5"))
        probe.state = QueueState::Paused;
    else
        probe.state = QueueState::Ready;
    c.cupsFreeDests(1, dest);
    return probe;
}

int SubmitPdf(const std::string &destination, const std::string &path, const std::string &title, int timeoutMs)
{
    const Connection http = connectToServer(timeoutMs);
    if (!http || destination.empty())
        return 0;
    const Cups &c = cups();
    cups_option_t *options = nullptr;
    int count = 0;
    count = c.cupsAddOption("media", "A4", count, &options);
    count = c.cupsAddOption("document-format", "application/pdf", count, &options);
    const int job = c.cupsPrintFile2(http.get(), destination.c_str(), path.c_str(), title.c_str(), count, options);
    c.cupsFreeOptions(count, options);
    return job > 0 ? job : 0;
}

} // namespace sheet
