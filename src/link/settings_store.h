#pragma once

#include "line_settings.h"

#include <QString>

namespace plc {

class PlcLink;

// The tool's own keys in its settings file, behind one small facade: the chosen port and its
// line settings ([COM]), the defaults "Save app setting" keeps for UART 1 ([COM_MB]), the
// devices behind the port numbers ([PORTS]), the window as the user left it ([WINDOW]), the
// firmware-update window's choices ([UPDATE]) and the devices an update was left unfinished on
// ([UNFINISHED_UPDATE]).
// Every value is read afresh from the file; the file is hand-editable, so what cannot be
// used reads as the documented fallback.
namespace settingsfile {

// The four line-settings lists, by the key each is stored under in [COM] and [COM_MB].
enum class LineList { Speed, Parity, Bits, Stop };
QString keyOf(LineList list);

// [COM]: the port number (Port_num + 1); 0 when the stored value is not a whole number.
int portNumber();
// [COM]: Port_num as the port list takes it: 0 when missing or naming no entry.
int portListIndex(int entries);
void setPortIndex(int index);
// [COM]: a list's stored index, 0 when missing or naming no entry of a list of `entries`.
int comListIndex(LineList list, int entries);
void setComListIndex(LineList list, int index);
// [COM]: the stored line settings; an index no list has leaves its setting out (the port then
// refuses to open with them).
LineSettings lineSettings();

// [COM_MB]: an index of UART 1's lists as "Save app setting" stored it; 0 when unusable.
int appListIndex(LineList list, int entries);
void setAppListIndex(LineList list, int index);

// [PORTS]: the device behind port number n: "COMn" on Windows; elsewhere the entry "COMn" when
// there is one, else /dev/ttyS<n-1>. The empty text for n < 1.
QString portDevice(int number);
void mapPort(int number, const QString &device);
// [PORTS]: whether the file names a device for port number n (never on Windows).
bool portMapped(int number);

// The stored port number, the device behind it and the stored line settings.
PortSetup storedPort();

// [WINDOW]: one value; the empty text when missing.
QString windowValue(const QString &key);
void setWindowValue(const QString &key, const QString &value);

// [UPDATE]: one of the firmware-update window's choices; the empty text when missing.
QString updateValue(const QString &key);
void setUpdateValue(const QString &key, const QString &value);

// [UNFINISHED_UPDATE]: whether an update on the device began and has not started the firmware
// since, so that the controller may still be in its loader. Kept by the firmware-update program
// and the main window's hand-over to it, read by the main window.
bool updateUnfinished(const QString &device);
void setUpdateUnfinished(const QString &device, bool unfinished);

}  // namespace settingsfile

// Applies the stored port number, the device behind it and the stored line settings to a link
// without opening it. The window does so before each action that takes the stored settings; a
// link whose action is still running keeps its settings.
void applyStoredPortSettings(PlcLink &link);

}  // namespace plc
