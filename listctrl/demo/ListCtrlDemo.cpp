// listctrl-demo: one CExListCtrl with a text, a combo, a tree and a date column, a
// read-only and an unresizable column, for trying the in-place editors by hand. Every
// edited cell is printed to standard output as "item<TAB>column<TAB>text".

#include "listctrl/ExListCtrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    CExListCtrl list;
    list.setWindowTitle(QStringLiteral("listctrl-demo"));
    const QStringList headers = {QStringLiteral("Planet"), QStringLiteral("Name"), QStringLiteral("Element"),
                                 QStringLiteral("Ort"), QStringLiteral("Datum"), QStringLiteral("Wert"),
                                 QStringLiteral("Fest")};
    list.setColumnCount(headers.size());
    list.setHorizontalHeaderLabels(headers);

    QStringList elements = {QStringLiteral("Wasser"), QStringLiteral("Feuer"), QStringLiteral("Luft"),
                            QStringLiteral("Erde")};
    list.SetComboColumn(2, &elements, true, true);
    QStringList places = {QStringLiteral("Europa\\Deutschland\\Berlin"), QStringLiteral("Europa\\Deutschland\\Bonn"),
                          QStringLiteral("Europa\\Schweiz\\Bern"), QStringLiteral("Amerika\\USA\\Houston")};
    list.SetComboTreeColumn(3, &places);
    list.SetDateColumn(4);
    list.SetReadOnlyColumn(5);
    list.SetUnresizableColumn(6);
    list.SetReadOnlyItem(3);
    list.SetColorForReadOnlyItem(QColor(0xe0, 0xe0, 0xe0), true);
    list.EnableFind(true);

    const QStringList planets = {QStringLiteral("Sonne"), QStringLiteral("Mond"), QStringLiteral("Merkur"),
                                 QStringLiteral("Venus (read-only)"), QStringLiteral("Mars"), QStringLiteral("Jupiter")};
    list.setRowCount(planets.size());
    for (int row = 0; row < planets.size(); ++row) {
        list.SetItemText(row, 0, planets.at(row));
        list.SetItemText(row, 1, QStringLiteral("Text %1").arg(row + 1));
        list.SetItemText(row, 2, elements.at(row % elements.size()));
        list.SetItemText(row, 5, QString::number(row * 10));
        list.SetItemText(row, 6, QStringLiteral("fest"));
    }
    list.SetItemText(0, 3, places.first());
    list.AddComboStatus(0, 3, 0, places.first());
    list.SetItemText(0, 4, QStringLiteral("01.01.2000"));
    list.AddDateStatus(0, 4, QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    list.resize(720, 260);
    list.show();

    QTextStream out(stdout);
    QObject::connect(&list, &CExListCtrl::subItemEdited,
                     [&out](CExListCtrl *, int item, int column, const QString &text) {
                         out << item << '\t' << column << '\t' << text << Qt::endl;
                     });
    QObject::connect(&list, &CExListCtrl::deleteKeyPressed,
                     [&out](CExListCtrl *) { out << "delete" << Qt::endl; });
    return app.exec();
}
