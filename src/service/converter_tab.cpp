#include "converter_tab.h"

#include "converter.h"
#include "failure.h"
#include "program_folders.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

ConverterTab::ConverterTab(Prompts &prompts, QWidget *parent)
    : QWidget(parent),
      m_prompts(prompts),
      m_library(programFolders(QCoreApplication::applicationDirPath()))
{
    auto *frame = new QGroupBox(tr("Floating-point number to IEEE converter"), this);
    frame->setObjectName(QStringLiteral("converterFrame"));
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);

    // Two lines, each read left to right: input, button, result.
    const QStringList names[] = {
        {QStringLiteral("floatInputBox"), QStringLiteral("toIeeeButton"),
         QStringLiteral("ieeeResultBox")},
        {QStringLiteral("ieeeInputBox"), QStringLiteral("toFloatButton"),
         QStringLiteral("floatResultBox")},
    };
    const QString captions[] = {tr("To IEEE"), tr("To float")};
    void (ConverterTab::*const handlers[])() = {&ConverterTab::toIeee, &ConverterTab::toFloat};
    for (int line = 0; line < 2; ++line) {
        auto *input = new QLineEdit(frame);
        input->setObjectName(names[line].at(0));
        auto *convert = new QPushButton(captions[line], frame);
        convert->setObjectName(names[line].at(1));
        auto *result = new QLineEdit(frame);
        result->setObjectName(names[line].at(2));
        grid->addWidget(input, line, 0);
        grid->addWidget(convert, line, 1);
        grid->addWidget(result, line, 2);
        m_boxes[line][0] = input;
        m_boxes[line][1] = result;
        connect(convert, &QPushButton::clicked, this, handlers[line]);
        // Enter in the input box converts, as its button does.
        connect(input, &QLineEdit::returnPressed, this, handlers[line]);
    }
    grid->setColumnMinimumWidth(0, 240);
    grid->setColumnMinimumWidth(2, 240);

    auto *row = new QHBoxLayout;
    row->addWidget(frame);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch();
}

void ConverterTab::toIeee()
{
    convert(*m_boxes[0][0], *m_boxes[0][1], toIeeeDigits);
}

void ConverterTab::toFloat()
{
    convert(*m_boxes[1][0], *m_boxes[1][1], toFloatText);
}

void ConverterTab::convert(const QLineEdit &input, QLineEdit &result,
                           QString (*conversion)(const QString &, FloatCodec &))
{
    try {
        result.setText(conversion(input.text(), m_library));
    } catch (const Failure &failure) {
        m_prompts.message(this, failure.description());  // the result keeps what it had
    }
}

}  // namespace plc
