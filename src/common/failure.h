#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The failure of one user action, carrying the text the user is shown.
class Failure : public std::exception {
public:
    // What gave way: the serial port (it would not open or was lost), the controller (it refused
    // or did not answer), or anything else (a cell, a file, a setting).
    enum class Cause { Other, Port, Controller };

    explicit Failure(QString description, Cause cause = Cause::Other);

    const QString &description() const { return m_description; }
    Cause cause() const { return m_cause; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    Cause m_cause;
    QByteArray m_what;
};
