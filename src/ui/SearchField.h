#pragma once

#include <QLineEdit>

namespace zarvo::ui {

// The panel's text box. Typing writes the model's query; the model's query and focus requests come
// back through setModelText and requestFocus.
class SearchField : public QLineEdit {
    Q_OBJECT
public:
    explicit SearchField(QWidget* parent = nullptr);

    // Takes the model's text when it differs; while editing, the caret goes to the end.
    void setModelText(const QString& text);
    // A focus request is carried out once per new token: focus the box, then put the caret at the end,
    // or select the base name (all but the last extension), or select everything.
    void requestFocus(int token, bool selectBaseName, bool caretAtEnd);

    // The UTF-16 length of the text without its last path extension ("archive.tar.gz" → 11).
    static int baseNameLength(const QString& text);

signals:
    // The user changed the text (not the model).
    void edited(const QString& text);

private:
    int m_lastFocusToken = -1;
};

} // namespace zarvo::ui
