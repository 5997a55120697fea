#pragma once

#include <QString>

class QWidget;

namespace vantelo::ui {

// What the page objects need of a label: read and set its caption. The
// window's labels implement it; an auto-size label resizes about its anchor
// when its caption is set.
class Caption
{
public:
    virtual QString caption() const = 0;
    virtual void setCaption(const QString &text) = 0;

protected:
    ~Caption() = default;
};

// The label named objectName below root, or nullptr.
Caption *findCaption(const QWidget *root, const QString &objectName);

} // namespace vantelo::ui
