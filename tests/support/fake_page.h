#pragma once

#include "lookup/caption.h"
#include "lookup/flange_standard.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace vantelo::test {

// A plain label that answers to the lookups' caption interface.
class TestLabel final : public QLabel, public lookup::Caption
{
public:
    explicit TestLabel(const QString &name, QWidget *parent);
    QString caption() const override { return text(); }
    void setCaption(const QString &caption) override;
    int captionWrites() const { return m_writes; }

private:
    int m_writes = 0;
};

// A bare widget holding, by name, every control the lookups touch on the
// seven pages, so the lookups can be tested without the real window.
class FakeForm final : public QWidget
{
public:
    FakeForm();
    QComboBox *list(const char *name) const;
    QPushButton *button(const char *name) const;
    TestLabel *label(const char *name) const;
};

} // namespace vantelo::test
