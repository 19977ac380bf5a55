#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's viewer while it lives: takes the files the
// application asks the desktop to open, instead of opening them.
class ReportViewer : public QObject
{
    Q_OBJECT

public:
    ReportViewer() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~ReportViewer() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};
