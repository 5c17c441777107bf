#pragma once

#include "project_transfer.h"

#include <QObject>
#include <functional>

class QWidget;

namespace plc {

class Prompts;
struct TransferContext;

// What the whole-project actions need of the window: its values as a project, the window set
// from a project (one edit), and word of the parts that went to the controller.
struct WindowProject {
    std::function<Project()> read;
    std::function<void(const Project &)> apply;
    std::function<void(const ProjectParts &)> written;
};

// The window's actions on every part at once: "Load to PLC", and the compares with the
// controller and with a file, with what the user does with their differences.
class ProjectActions : public QObject {
    Q_OBJECT

public:
    ProjectActions(TransferContext &ctx, Prompts &prompts, WindowProject window,
                   QObject *parent = nullptr);

    // "Load to PLC": every part of the window written, one question, one progress, one outcome.
    void loadToPlc() { writeParts(allProjectParts()); }
    // Reads every part back without touching the window and lists the differences.
    void compareWithController();
    // Asks for a project or configuration file and lists its differences from the window.
    void compareWithFile();

private:
    void writeParts(const ProjectParts &parts);

    TransferContext &m_ctx;
    Prompts &m_prompts;
    WindowProject m_window;
};

}  // namespace plc
