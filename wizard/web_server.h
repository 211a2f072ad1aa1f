// The wizard's requests to a vendor's web server, the base address
// wizardState.serverUrl: a file fetched whole, the registration record
// stored. Over the HTTPS client's checked TLS, the root being
// wizardState.ftpTrustedCa (the system's roots when it is empty).
#ifndef WIZARD_WEB_SERVER_H
#define WIZARD_WEB_SERVER_H

#include "https/https_client.h"
#include "wizard/server_session.h"

// What one request came to.
struct WebReply {
    https::Failure failure = https::Failure::kNone;
    int status = 0;      // the answer's HTTP status; 0 when none came
    long long bytes = 0; // the fetched file's bytes
    bool done = false;   // the whole file arrived (200), or the record was stored (2xx)
};

// GET <base><name> into localPath, created or replaced; what did not arrive
// whole (a failure, a status other than 200) leaves no file there. A local
// file that cannot be written is kSinkRefused. callback gets the client's
// status texts ("<name>: N bytes retrieved") and stops it with non-zero.
WebReply FetchServerFile(const char *name, const char *localPath, https::StatusCallback callback);

// PUT <base><recordFileName> of the working folder's file of that name,
// with wizardState.ftpUser and ftpPassword as HTTP Basic authentication.
WebReply UploadRecord(const char *recordFileName, https::StatusCallback callback);

// What a person is told of a fetch that did not come: the certificate's
// words, or "Unable to connect to host" for everything else (no answer, a
// cut, a status other than 200).
SessionFailure FailureOfReply(const WebReply &reply);

#endif
