#pragma once

#include <QString>

class PlcLink;

// The line-settings text assembled from the "COM" section of the settings file, for example
// "9600,N,7,1". A stored index with no entry in its table adds nothing for that field.
QString storedLineSettings();
// The stored port number (stored index + 1); 0 when the stored value is not a whole number.
int storedPortNumber();

// The device behind port number n: "COMn" on Windows; elsewhere the [PORTS] entry "COMn" of
// the settings file when there is one, else /dev/ttyS<n-1>. The empty text for n < 1.
QString portDevice(int number);

// The index stored under section/key of the settings file for a list of `entries` entries;
// 0 when the value is missing, not a whole number or names no entry (the file is hand-editable).
int storedListIndex(const QString &section, const QString &key, int entries);

// Applies the stored line settings, the port number and the device behind it to a link
// without opening it; a link whose settings are pinned keeps them.
void Setup_port(PlcLink &link);
