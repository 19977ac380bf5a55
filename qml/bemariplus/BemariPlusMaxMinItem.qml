import QtQuick 2.15

// The "Max/Min" box of a "BEMARI+" run: minimum and maximum per frequency
// and time weighting, one frequency weighting per row.
BemariPlusResultItem {
    columns: 6
}
