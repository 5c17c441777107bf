#pragma once

#include <QWidget>

class Prompts;

// The "Converter" tab: a decimal number to its 8 IEEE-754 single-precision digits and back.
class ConverterTab : public QWidget {
    Q_OBJECT

public:
    explicit ConverterTab(Prompts &prompts, QWidget *parent = nullptr);

private:
    Prompts &m_prompts;
};
