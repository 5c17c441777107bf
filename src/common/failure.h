#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The failure of one user action, carrying the text the user is shown.
class Failure : public std::exception {
public:
    explicit Failure(QString description);

    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    QByteArray m_what;
};
