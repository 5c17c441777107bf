#pragma once

#include "firmware_image.h"
#include "loader_client.h"
#include "modem_lines.h"

#include <QString>
#include <functional>

namespace plc {

class LoaderPort;

// The update window's two actions on an open port, as steps with questions between them:
// reaching the loader (after the entry sequence), and the write with the backup of the pages it
// erases first, the unprotects offered when the loader refuses, verify and Go. Each ends in the
// outcome whose message is the window's last line. Questions go through ask (true for OK), news
// through tell, and the loader once it answered through connected; the client's progress signal
// tells the rest.
class GuidedUpdate {
public:
    struct Calls {
        std::function<bool(const QString &question)> ask;
        std::function<void(const QString &text)> tell;
        std::function<void(const LoaderInfo &loader)> connected;
    };

    GuidedUpdate(LoaderPort &port, LoaderClient &client, ModemSequence entry, Calls calls);

    // "Done: loader 2.2, ...".
    UpdateOutcome connect();
    // backupPath: where the erased pages go first (empty: no backup).
    // "Firmware written and verified (N KB), started", and the backup's line.
    UpdateOutcome write(const FirmwareImage &image, const QString &backupPath);

    // Whether the loader answered at all, and whether the firmware was started.
    bool reached() const { return m_reached; }
    bool started() const { return m_started; }

private:
    UpdateOutcome reachLoader();
    // A refused read or write offers the unprotect that removes the cause; after OK it runs and
    // the loader is reached again.
    UpdateOutcome offerUnprotect(const UpdateOutcome &refused, const QString &question);
    // The backup's line for the end; not done when the write must not go on.
    UpdateOutcome backup(const FirmwareImage &image, const QString &path);
    UpdateOutcome ended(UpdateOutcome outcome) const;

    LoaderPort &m_port;
    LoaderClient &m_client;
    ModemSequence m_entry;
    Calls m_calls;
    bool m_reached = false;
    bool m_started = false;
};

}  // namespace plc
