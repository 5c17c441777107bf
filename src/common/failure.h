#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The failure of one user action, carrying the text the user is shown.
class Failure : public std::exception {
public:
    // What gave way: the serial port (it would not open, or was lost midway), the controller
    // (it refused, stayed silent or answered in another shape), or anything else (a cell, a
    // file, a setting).
    enum class Cause { Other, PortNotOpened, PortLost, Refused, Unanswered, WrongAnswer };

    explicit Failure(QString description, Cause cause = Cause::Other, QString reason = QString());

    const QString &description() const { return m_description; }
    Cause cause() const { return m_cause; }
    // The system's own words for what went wrong with the port; empty otherwise.
    const QString &reason() const { return m_reason; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    Cause m_cause;
    QString m_reason;
    QByteArray m_what;
};
