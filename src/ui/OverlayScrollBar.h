#pragma once

#include <QScrollBar>

class QAbstractScrollArea;

namespace zarvo::ui {

// A thin vertical scroll bar drawn over the right edge of a scroll area's contents, without arrow
// buttons, in place of the area's own bar (which takes a column of room and draws arrows). It follows
// the area's bar both ways and shows only while there is something to scroll.
class OverlayScrollBar : public QScrollBar {
    Q_OBJECT
public:
    // Puts one over `area`; the area owns it.
    static OverlayScrollBar* attach(QAbstractScrollArea* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    explicit OverlayScrollBar(QAbstractScrollArea* area);
    void follow();
    void place();
    void restyle();

    QAbstractScrollArea* m_area;
};

} // namespace zarvo::ui
