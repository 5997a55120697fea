#pragma once

#include "data/connection.h"

#include <QDialog>

namespace vantelo::ui {

// 数据来源: every published source the data file records with its full
// reference, and per standard how many of its table's cells hold a value and
// how many are gaps.
class DataSourcesDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit DataSourcesDialog(const data::Connection &connection, QWidget *parent = nullptr);
};

} // namespace vantelo::ui
