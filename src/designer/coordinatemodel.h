#pragma once

#include "drawing/csvwriter.h"

#include <QAbstractTableModel>

#include <vector>

namespace designer {

// The "Coordinate" tab's table: the CSV's rows as the window shows them (the kinds of point and
// the column names in the program's language, numbers with its decimal separator). The rows are
// kept as the file writer makes them and turned into text only when a cell is drawn, so that a
// dial of twenty thousand points fills the table at once.
class CoordinateModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The dial's points as the CSV lists them; a dark room's with a last column giving each
    // point's distance from F, since its meridian line is laid out with a tape from the foot.
    void showDial(const gnomonics::DialLines &dial);
    bool hasDistanceColumn() const { return !fromFoot_.empty(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<drawing::CsvRow> rows_;
    std::vector<double> fromFoot_;
};

} // namespace designer
