#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QString>
#include <exception>

namespace plc {

// The failure of one user action, carrying the text the user is shown and how it ends the
// action: the port (it would not open, or was lost midway), the controller (it refused, stayed
// silent or answered in another shape), or anything else (a cell, a file, a setting: Failed).
class Failure : public std::exception {
public:
    explicit Failure(QString description, Outcome::Kind kind = Outcome::Kind::Failed,
                     QString reason = QString());

    const QString &description() const { return m_description; }
    Outcome::Kind kind() const { return m_kind; }
    // The system's own words for what went wrong with the port; empty otherwise.
    const QString &reason() const { return m_reason; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    Outcome::Kind m_kind;
    QString m_reason;
    QByteArray m_what;
};

}  // namespace plc
