#include "editor/PenToolBar.h"

#include "gui/Hint.h"

#include <QButtonGroup>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace tessellon {

namespace {

    QIcon penIcon(const QColor& colour)
    {
        QPixmap pixmap(24, 24);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QColor(64, 64, 64));
        painter.setBrush(colour);
        painter.drawRect(3, 3, 17, 17);
        return QIcon(pixmap);
    }

    QIcon updateIcon()
    {
        QPixmap pixmap(24, 24);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 110, 0), 3));
        painter.drawPolyline(QPolygon({ QPoint(4, 13), QPoint(10, 19), QPoint(20, 5) }));
        return QIcon(pixmap);
    }

} // namespace

PenToolBar::PenToolBar(QWidget* parent)
    : QWidget(parent)
    , m_black(makeButton("spdColorBlack", 0, "black pen|Select black pen"))
    , m_white(makeButton("spdColorWhite", buttonSize, "White pen|select white pen"))
    , m_update(makeButton("spdUpdate", 3 * buttonSize, "Update|update"))
{
    setObjectName("CoolBar1");
    setFixedHeight(barHeight);
    // Narrower, the Update button would be cut off at the right end.
    setMinimumWidth(3 * buttonSize);
    m_black->setIcon(penIcon(Qt::black));
    m_white->setIcon(penIcon(Qt::white));
    m_update->setIcon(updateIcon());
    auto* pens = new QButtonGroup(this);
    pens->setExclusive(true);
    for (QToolButton* pen : { m_black, m_white }) {
        pen->setCheckable(true);
        pens->addButton(pen);
    }
    m_black->setChecked(true);
}

QToolButton* PenToolBar::makeButton(const char* name, int x, const QString& hint)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIconSize(QSize(24, 24));
    button->setGeometry(x, 0, buttonSize, buttonSize);
    applyHint(*button, hint);
    return button;
}

void PenToolBar::CoolBar1Resize()
{
    if (width() >= 3 * buttonSize) {
        m_update->move(width() - buttonSize, m_update->y());
    }
}

void PenToolBar::resizeEvent(QResizeEvent*) { CoolBar1Resize(); }

} // namespace tessellon
