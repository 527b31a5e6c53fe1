#pragma once

#include <QtGlobal>

namespace WebLib {

// What the server takes from a client before it refuses. The defaults
// serve a browser and a script; tests make the times short.
struct TWebLimits
{
    int maxHeaderBytes = 16 * 1024; // request line and headers -> 431
    int maxBodyBytes = 4 * 1024; // only a login has a body -> 413
    int requestSeconds = 10; // from a request's first byte to its last -> 408
    int idleSeconds = 60; // a kept-alive connection without a request, or a
                          // client that takes no bytes of its answer
    int maxConnections = 128; // open at once; beyond, a new one is closed
    int maxPendingPerConnection = 8; // requests sent ahead without waiting -> 503
    int maxQueuedJobs = 32; // reports waiting for the report thread -> 503
    int maxReportDays = 400; // a web report covers at most this many days -> 400
    qint64 maxResponseBytes = 64ll * 1024 * 1024; // larger results -> 413
    int cacheSeconds = 5; // a result answers the same question this long
};

} // namespace WebLib
