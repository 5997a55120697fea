#pragma once

#include "data/connection.h"

#include <QDialog>

namespace vantelo::ui {

// 关于 Vantelo: the version, the licence, where the values come from and what
// an empty value means, with the way to the data sources window.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(const data::Connection &connection, QWidget *parent = nullptr);
};

} // namespace vantelo::ui
