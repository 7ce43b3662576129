#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace orvel {

// The texts of one information window as it shows them: title, name text, column
// headers with their widths, and the cells row by row.
struct InfoTable {
    struct Column {
        QString header;
        int width = 0;             // logical pixels
        bool rightAligned = false;
    };

    QString title;
    QString name;
    std::vector<Column> columns;
    std::vector<QStringList> rows;
};

} // namespace orvel
