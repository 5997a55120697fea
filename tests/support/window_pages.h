#pragma once

// The window's seven pages as the program builds them from the standards'
// records, their controls found by name.

#include "ui/caption_label.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QPushButton>

#include <memory>

namespace vantelo::test {

class WindowPages final
{
public:
    WindowPages()
        : m_window(std::make_unique<ui::Form1>())
    {
    }

    ui::Form1 &window() const { return *m_window; }
    std::span<const ui::PageHandles> pages() const { return m_window->pages(); }
    QComboBox *list(const char *name) const { return find<QComboBox>(name); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    ui::CaptionLabel *label(const char *name) const { return find<ui::CaptionLabel>(name); }

    // A caption no query writes: a result label still showing it was left alone.
    static QString untouched() { return QStringLiteral("untouched"); }
    void markResultsUntouched() const
    {
        for (const ui::PageHandles &page : pages()) {
            for (ui::Caption *label : page.resultLabels)
                label->setCaption(untouched());
        }
    }
    // How many result labels, besides those named, a query wrote since they were marked.
    int writtenBesides(const QStringList &names) const
    {
        int written = 0;
        for (const ui::PageHandles &page : pages()) {
            for (ui::Caption *label : page.resultLabels) {
                const bool named = names.contains(dynamic_cast<const QWidget *>(label)->objectName());
                written += !named && label->caption() != untouched() ? 1 : 0;
            }
        }
        return written;
    }

private:
    template <typename Control>
    Control *find(const char *name) const
    {
        return m_window->findChild<Control *>(QString::fromLatin1(name));
    }

    std::unique_ptr<ui::Form1> m_window;
};

} // namespace vantelo::test
