import QtQuick 2.15

// The "Statistics" box of a "BEMARI+" run: the five statistical levels.
BemariPlusResultItem {
    columns: 5
}
