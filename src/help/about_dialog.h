#pragma once

#include <QDialog>

namespace plc {

// "About" > "About...": the program's name and version, its licence, and where its settings
// file and its history of writes are kept.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

}  // namespace plc
