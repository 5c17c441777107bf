#pragma once

#include "conv_library.h"

#include <QWidget>

class QLineEdit;

namespace plc {

class Prompts;

// The "Converter" tab: a decimal number to its 8 IEEE-754 single-precision digits and back.
class ConverterTab : public QWidget {
    Q_OBJECT

public:
    explicit ConverterTab(Prompts &prompts, QWidget *parent = nullptr);

    // "To IEEE" and "To float".
    void toIeee();
    void toFloat();

private:
    void convert(const QLineEdit &input, QLineEdit &result,
                 QString (*conversion)(const QString &, FloatCodec &));

    Prompts &m_prompts;
    ConvLibrary m_library;
    QLineEdit *m_boxes[2][2] = {};  // per line: input, result
};

}  // namespace plc
