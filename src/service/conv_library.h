#pragma once

#include "conv.h"
#include "float_codec.h"

#include <QLibrary>
#include <QString>

// The conversion library conv, loaded by name from a folder (the program's own) the first time
// a conversion needs it. A library or function that is missing is a Failure naming the library,
// raised again at each conversion until the library can be loaded.
class ConvLibrary : public FloatCodec {
public:
    explicit ConvLibrary(const QString &folder);

    Bytes floatToBytes(float value) override;
    float toReal(const Bytes &bytes) override;

private:
    void load();
    QFunctionPointer resolve(const char *name);

    QLibrary m_library;
    conv_float_to_byte_array m_floatToByteArray = nullptr;
    conv_to_real m_toReal = nullptr;
};
