import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1

// One column of a VfTable.
Controls1.TableViewColumn {
}
