#include "conv_library.h"

#include "failure.h"

#include <QDir>

namespace plc {

namespace {

const QString kName = QStringLiteral("conv");

}  // namespace

ConvLibrary::ConvLibrary(const QStringList &folders) : m_folders(folders) {}

void ConvLibrary::load()
{
    if (m_floatToByteArray && m_toReal)
        return;
    QStringList errors;
    for (const QString &folder : std::as_const(m_folders)) {
        m_library.setFileName(QDir(folder).filePath(kName));
        if (m_library.load())
            break;
        errors.append(m_library.errorString());
    }
    if (!m_library.isLoaded()) {
        throw Failure(tr("The conversion library %1 cannot be loaded: %2")
                          .arg(kName, errors.join(QStringLiteral("; "))));
    }
    const auto floatToByteArray =
        reinterpret_cast<conv_float_to_byte_array>(resolve("float_to_byte_array"));
    const auto toReal = reinterpret_cast<conv_to_real>(resolve("to_real"));
    m_floatToByteArray = floatToByteArray;
    m_toReal = toReal;
}

QFunctionPointer ConvLibrary::resolve(const char *name)
{
    const QFunctionPointer function = m_library.resolve(name);
    if (!function) {
        const QString file = QDir::toNativeSeparators(m_library.fileName());
        m_library.unload();  // a corrected library can then be loaded in its place
        throw Failure(tr("The conversion library %1 (%2) has no function %3")
                          .arg(kName, file, QLatin1String(name)));
    }
    return function;
}

FloatCodec::Bytes ConvLibrary::floatToBytes(float value)
{
    load();
    Bytes bytes{};
    m_floatToByteArray(bytes.data(), 0, value);
    return bytes;
}

float ConvLibrary::toReal(const Bytes &bytes)
{
    load();
    return m_toReal(bytes.data(), 0);
}

}  // namespace plc
