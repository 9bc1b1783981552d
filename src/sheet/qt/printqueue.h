#pragma once

#include <string>

namespace sheet {

// What the print server says of the default destination before a job is painted.
enum class QueueState {
    Ready,       // accepting jobs and printing them
    Paused,      // accepting jobs but stopped (cupsdisable): a job waits in the queue
    Refusing,    // not accepting jobs (cupsreject): a job would be lost
    NoPrinter,   // the server answered but names no default destination
    Unreachable, // no server, or one that did not answer in time
};

struct QueueProbe {
    QueueState state = QueueState::Unreachable;
    std::string destination; // the queue's name when the server named one
};

// The longest the program waits for the print server at any step: a server that has not
// answered by then is taken as failed.
inline constexpr int kPrintServerTimeoutMs = 10000;

// Asks the CUPS server (as configured for this user: CUPS_SERVER, client.conf or the local
// socket) for the default destination and whether it takes jobs. It blocks, but for at most
// about timeoutMs on connecting and as long again on the answer; run it off the window's thread.
QueueProbe ProbeDefaultQueue(int timeoutMs);

// The same for the named queue (the default one when the name is empty): NoPrinter when the
// server does not know it.
QueueProbe ProbeQueue(const std::string &name, int timeoutMs);

// Hands a finished PDF file to the named queue as one job on A4 paper. Returns the job's
// number, or 0 when the server refused it or did not answer within timeoutMs. Blocks like
// ProbeDefaultQueue.
int SubmitPdf(const std::string &destination, const std::string &path, const std::string &title, int timeoutMs);

} // namespace sheet
