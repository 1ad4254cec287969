#include "ui/SearchField.h"

#include "ui/Style.h"

#include <QPointer>
#include <QTimer>

namespace zarvo::ui {

SearchField::SearchField(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setFont(Style::font(22, QFont::Light));
    setAttribute(Qt::WA_MacShowFocusRect, false);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::transparent);
    // No style sheet: one would hold the text colours as they were, invisible after a switch to dark.
    setPalette(p);
    connect(this, &QLineEdit::textEdited, this, &SearchField::edited);
}

void SearchField::setModelText(const QString& value) {
    if (value == text()) return;
    setText(value);
    if (hasFocus()) setCursorPosition(int(value.size()));
}

int SearchField::baseNameLength(const QString& text) {
    // Only the last path component can carry the extension; a leading dot names a hidden file.
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1 || dot == text.size() - 1) return int(text.size());
    return int(dot);
}

void SearchField::requestFocus(int token, bool selectBaseName, bool caretAtEnd) {
    if (token == m_lastFocusToken) return;
    m_lastFocusToken = token;
    QPointer<SearchField> self(this);
    QTimer::singleShot(0, this, [self, selectBaseName, caretAtEnd] {
        if (!self) return;
        self->setFocus(Qt::OtherFocusReason);
        const int length = int(self->text().size());
        if (caretAtEnd)
            self->setCursorPosition(length);
        else if (selectBaseName)
            self->setSelection(0, baseNameLength(self->text()));
        else
            self->selectAll();
    });
}

} // namespace zarvo::ui
