#include "sheet/qt/printqueue.h"

#include <cups/cups.h>

#include <cstring>
#include <memory>

namespace sheet {

namespace {

// libcups calls this when a read or write has waited the connection's whole timeout; 0 ends
// the wait with an error instead of starting another.
int giveUp(http_t *, void *)
{
    return 0;
}

struct HttpClose {
    void operator()(http_t *http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

Connection connectToServer(int timeoutMs)
{
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, nullptr);
    if (http)
        httpSetTimeout(http, timeoutMs / 1000.0, giveUp, nullptr);
    return Connection(http);
}

bool optionIs(const cups_dest_t *dest, const char *name, const char *value)
{
    const char *got = cupsGetOption(name, dest->num_options, dest->options);
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
    cups_dest_t *dest = cupsGetNamedDest(http.get(), name.empty() ? nullptr : name.c_str(), nullptr);
    if (!dest) {
        // An answer that names no printer differs from no answer at all.
        const ipp_status_t status = cupsLastError();
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
    cupsFreeDests(1, dest);
    return probe;
}

int SubmitPdf(const std::string &destination, const std::string &path, const std::string &title, int timeoutMs)
{
    const Connection http = connectToServer(timeoutMs);
    if (!http || destination.empty())
        return 0;
    cups_option_t *options = nullptr;
    int count = 0;
    count = cupsAddOption("media", "A4", count, &options);
    count = cupsAddOption("document-format", "application/pdf", count, &options);
    const int job = cupsPrintFile2(http.get(), destination.c_str(), path.c_str(), title.c_str(), count, options);
    cupsFreeOptions(count, options);
    return job > 0 ? job : 0;
}

} // namespace sheet
