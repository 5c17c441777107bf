#include "window_state.h"

#include "settings_store.h"

#include <optional>

namespace plc {

namespace {

const QString kColumnsPrefix = QStringLiteral("Columns_");
// How much of a window must lie on a screen for the user to take hold of it.
constexpr int kGripWidth = 100;
constexpr int kGripHeight = 30;

std::optional<int> readNumber(const QString &key)
{
    bool ok = false;
    const int value = settingsfile::windowValue(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void writeNumber(const QString &key, int value)
{
    settingsfile::setWindowValue(key, QString::number(value));
}

QList<int> widthsOf(const QString &text)
{
    QList<int> widths;
    for (const QString &piece : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int width = piece.trimmed().toInt(&ok);
        if (!ok || width <= 0)
            return {};
        widths.append(width);
    }
    return widths;
}

QString widthsText(const QList<int> &widths)
{
    QStringList texts;
    for (int width : widths)
        texts.append(QString::number(width));
    return texts.join(QLatin1Char(','));
}

}  // namespace

WindowState readWindowState(const QStringList &tables)
{
    WindowState state;
    const auto left = readNumber(QStringLiteral("Left"));
    const auto top = readNumber(QStringLiteral("Top"));
    const auto width = readNumber(QStringLiteral("Width"));
    const auto height = readNumber(QStringLiteral("Height"));
    if (left && top && width > 0 && height > 0)
        state.geometry = QRect(*left, *top, *width, *height);
    state.maximized = readNumber(QStringLiteral("Maximized")).value_or(0) != 0;
    state.tab = readNumber(QStringLiteral("Tab")).value_or(0);
    state.verifyWrites = readNumber(QStringLiteral("Verify")).value_or(0) != 0;
    for (const QString &table : tables) {
        const QList<int> widths = widthsOf(settingsfile::windowValue(kColumnsPrefix + table));
        if (!widths.isEmpty())
            state.columnWidths.insert(table, widths);
    }
    return state;
}

void writeWindowState(const WindowState &state)
{
    if (!state.geometry.isNull()) {
        writeNumber(QStringLiteral("Left"), state.geometry.x());
        writeNumber(QStringLiteral("Top"), state.geometry.y());
        writeNumber(QStringLiteral("Width"), state.geometry.width());
        writeNumber(QStringLiteral("Height"), state.geometry.height());
    }
    writeNumber(QStringLiteral("Maximized"), state.maximized ? 1 : 0);
    writeNumber(QStringLiteral("Tab"), state.tab);
    for (auto table = state.columnWidths.cbegin(); table != state.columnWidths.cend(); ++table)
        settingsfile::setWindowValue(kColumnsPrefix + table.key(), widthsText(table.value()));
    writeNumber(QStringLiteral("Verify"), state.verifyWrites ? 1 : 0);
}

QRect placeOnScreens(const QRect &stored, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return stored;
    for (const QRect &screen : screens) {
        const QRect shown = screen.intersected(stored);
        if (shown.width() >= qMin(kGripWidth, stored.width()) &&
            shown.height() >= qMin(kGripHeight, stored.height()))
            return stored;
    }
    const QRect &primary = screens.first();
    QRect centred(QPoint(), stored.size());
    centred.moveCenter(primary.center());
    centred.moveTopLeft(
        QPoint(qMax(centred.left(), primary.left()), qMax(centred.top(), primary.top())));
    return centred;
}

}  // namespace plc
