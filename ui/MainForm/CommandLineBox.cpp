// SPDX-License-Identifier: MIT
#include "ui/MainForm/CommandLineBox.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zoot {

namespace {

constexpr int kTextWidth = 440;
constexpr int kMostLines = 12;

// The positions of the spaces between the command line's words: outside
// double quotes, read as the command line is split (three quotes stand for
// one, inside quotes or out).
QList<qsizetype> spacesBetweenWords(const QString &commandLine)
{
    QList<qsizetype> spaces;
    bool inQuotes = false;
    int quotes = 0;
    for (qsizetype i = 0; i < commandLine.size(); ++i) {
        if (commandLine.at(i) == u'"') {
            quotes = (quotes + 1) % 3;
            continue;
        }
        if (quotes == 1)
            inQuotes = !inQuotes;
        quotes = 0;
        if (!inQuotes && commandLine.at(i) == u' ')
            spaces.append(i);
    }
    return spaces;
}

// The command line with the spaces where a line must end turned into line
// breaks: one character for one, so positions in the shown text are positions
// in the command line.
QString brokenAtSpaces(const QString &commandLine, const QFontMetrics &metrics, int width)
{
    QString shown = commandLine;
    const QList<qsizetype> spaces = spacesBetweenWords(commandLine);
    qsizetype lineStart = 0;
    for (qsizetype s = 0; s < spaces.size(); ++s) {
        const qsizetype lineEnd = s + 1 < spaces.size() ? spaces.at(s + 1) : commandLine.size();
        if (spaces.at(s) > lineStart && metrics.horizontalAdvance(commandLine.mid(lineStart, lineEnd - lineStart)) > width) {
            shown[spaces.at(s)] = u'\n';
            lineStart = spaces.at(s) + 1;
        }
    }
    return shown;
}

// The text box: copying gives the command line's own characters.
class CommandLineText : public QPlainTextEdit {
public:
    CommandLineText(QString commandLine, QWidget *parent) : QPlainTextEdit(parent), m_commandLine(std::move(commandLine)) {}

protected:
    QMimeData *createMimeDataFromSelection() const override
    {
        const QTextCursor cursor = textCursor();
        auto *data = new QMimeData;
        data->setText(m_commandLine.mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
        return data;
    }

private:
    QString m_commandLine;
};

} // namespace

CommandLineBox::CommandLineBox(const QString &title, const QString &commandLine, QWidget *owner) : QDialog(owner)
{
    setWindowTitle(title);
    setModal(true);
    auto *edit = new CommandLineText(commandLine, this);
    text = edit;
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setAccessibleName(QStringLiteral("Command line"));
    const QString shown = brokenAtSpaces(commandLine, QFontMetrics(edit->font()), kTextWidth);
    edit->setPlainText(shown);
    QTextDocument *document = edit->document();
    const qreal lineHeight = document->documentLayout()->blockBoundingRect(document->firstBlock()).height();
    const int lines = std::min(document->blockCount(), kMostLines);
    const int frame = 2 * edit->frameWidth() + 2 * int(document->documentMargin());
    edit->setFixedSize(kTextWidth + frame + edit->verticalScrollBar()->sizeHint().width(),
                       int(std::ceil(lines * lineHeight)) + frame + edit->horizontalScrollBar()->sizeHint().height());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zoot
