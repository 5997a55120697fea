#include "ui/tab_control.h"

#include "ui/tab_strip.h"

#include <QPainter>
#include <QStackedWidget>

namespace vantelo::ui {

TabControl::TabControl(QWidget *parent)
    : QWidget(parent)
    , m_strip(new TabStrip(this)) // first, so that it comes first in the focus chain
    , m_pages(new QStackedWidget(this))
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    m_strip->setObjectName(QStringLiteral("tabStrip"));
    m_strip->raise();
    connect(m_strip, &TabStrip::currentIndexChanged, this, [this](int index) {
        m_pages->setCurrentIndex(index);
        emit currentTabChanged(index);
    });
}

QWidget *TabControl::addTab(const QString &caption)
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("%1Page%2").arg(objectName()).arg(m_pages->count() + 1));
    // The control's button face and frame show through.
    page->setAutoFillBackground(false);
    m_pages->addWidget(page);
    m_strip->addTab(caption);
    m_pages->setCurrentIndex(m_strip->currentIndex());
    return page;
}

int TabControl::tabCount() const
{
    return m_strip->count();
}

int TabControl::currentTab() const
{
    return m_strip->currentIndex();
}

void TabControl::setCurrentTab(int index)
{
    m_strip->setCurrentIndex(index);
}

QString TabControl::tabCaption(int index) const
{
    return m_strip->caption(index);
}

QWidget *TabControl::page(int index) const
{
    return m_pages->widget(index);
}

void TabControl::resizeEvent(QResizeEvent *)
{
    m_pages->setGeometry(rect());
    m_strip->setGeometry(0, 0, width(), m_strip->sizeHint().height());
}

void TabControl::paintEvent(QPaintEvent *)
{
    // The page frame below the strip; the strip draws its top edge.
    QPainter painter(this);
    const int top = m_strip->sizeHint().height() - 1;
    const QRect frame(0, top, width(), height() - top);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(frame.bottomLeft(), frame.topLeft());
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.bottomRight(), frame.topRight());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(1, top + 1, 1, frame.bottom() - 1);
}

} // namespace vantelo::ui
