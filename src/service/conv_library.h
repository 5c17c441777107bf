#pragma once

#include "conv.h"
#include "float_codec.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace plc {

// The conversion library conv, loaded by name from the first of some folders (the program's own,
// then an installed program's private one) that has it, the first time a conversion needs it.
// A library or function that is missing is a Failure naming the library, raised again at each
// conversion until the library can be loaded.
class ConvLibrary : public FloatCodec {
    Q_DECLARE_TR_FUNCTIONS(plc::ConvLibrary)

public:
    explicit ConvLibrary(const QStringList &folders);

    Bytes floatToBytes(float value) override;
    float toReal(const Bytes &bytes) override;

private:
    void load();
    QFunctionPointer resolve(const char *name);

    QStringList m_folders;
    QLibrary m_library;
    conv_float_to_byte_array m_floatToByteArray = nullptr;
    conv_to_real m_toReal = nullptr;
};

}  // namespace plc
