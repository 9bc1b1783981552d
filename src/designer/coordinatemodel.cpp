#include "designer/coordinatemodel.h"

#include "sheet/numbers.h"
#include "sheet/qt/uitext.h"

#include <array>

namespace designer {

namespace {

constexpr int kColumns = static_cast<int>(std::tuple_size_v<drawing::CsvRow>);

// The file's column names and kinds of point, as the table shows them: the file's own words in
// Italian, plain words in English.
const sheet::UiText kCsvWords[] = {
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "tipo")},       sheet::UiText{QT_TRANSLATE_NOOP("horalo", "etichetta")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "ora")},        sheet::UiText{QT_TRANSLATE_NOOP("horalo", "data")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "declinazione")}, sheet::UiText{QT_TRANSLATE_NOOP("horalo", "ora_vera")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "ora_civile")}, sheet::UiText{QT_TRANSLATE_NOOP("horalo", "italica")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "babilonese")}, sheet::UiText{QT_TRANSLATE_NOOP("horalo", "linea_data")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "centro")},     sheet::UiText{QT_TRANSLATE_NOOP("horalo", "piede")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "temporaria")}, sheet::UiText{QT_TRANSLATE_NOOP("horalo", "azimut")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "altezza")},    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "ora_media")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "ora_analemmatica")}, sheet::UiText{QT_TRANSLATE_NOOP("horalo", "scala_date")},
    sheet::UiText{QT_TRANSLATE_NOOP("horalo", "macchia")},
};
const sheet::UiText kFromFoot{QT_TRANSLATE_NOOP("horalo", "distanza da F (mm)")};

QString shownWord(const QString &word)
{
    for (const sheet::UiText &w : kCsvWords)
        if (word == QLatin1String(w.italian()))
            return w.text();
    return word;
}

// A cell as the window shows it: the CSV's numbers (hour, declination, x, y) with the program's
// decimal separator; the kind of point in the program's words; the label and the date as they are.
QString shownCell(const std::string &text, int column)
{
    QString cell = QString::fromStdString(text);
    if (column == 0)
        return shownWord(cell);
    if (column >= 2 && column != 3)
        cell.replace(QLatin1Char(','), QLatin1Char(sheet::decimalSeparator()));
    return cell;
}

} // namespace

void CoordinateModel::showDial(const gnomonics::DialLines &dial)
{
    beginResetModel();
    const bool darkRoom = dial.design.kind == gnomonics::DialKind::DarkRoom;
    fromFoot_.clear();
    rows_ = drawing::DialCsvRowsShown(dial, darkRoom ? &fromFoot_ : nullptr);
    endResetModel();
}

int CoordinateModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CoordinateModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns + (hasDistanceColumn() ? 1 : 0);
}

QVariant CoordinateModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (index.column() == kColumns)
        return QString::fromStdString(sheet::FormatFixed(fromFoot_[static_cast<std::size_t>(index.row())], sheet::Mask::TwoDecimals));
    return shownCell(rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())], index.column());
}

QVariant CoordinateModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == kColumns)
        return kFromFoot.text();
    const QStringList names = QString::fromLatin1(drawing::kCsvHeader).split(QLatin1Char(';'));
    return shownWord(names[section]);
}

} // namespace designer
