#pragma once

#include "ui/page_handles.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace vantelo::test {

// A plain label that answers to the lookups' caption interface.
class TestLabel final : public QLabel, public ui::Caption
{
public:
    explicit TestLabel(const QString &name, QWidget *parent);
    QString caption() const override { return text(); }
    void setCaption(const QString &caption) override;
    int captionWrites() const { return m_writes; }

private:
    int m_writes = 0;
};

// A bare widget holding, by name, every control the page objects touch on
// the seven pages, so the reactions can be tested without the real window.
class FakeForm final : public QWidget
{
public:
    FakeForm();
    QComboBox *list(const char *name) const;
    QPushButton *button(const char *name) const;
    TestLabel *label(const char *name) const;
    std::span<const ui::PageHandles> pages() const { return m_pages; }

private:
    std::vector<ui::PageHandles> m_pages;
};

} // namespace vantelo::test
