#pragma once

#include <QDialog>

// Name, version and how to reach the makers.
class TFormInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TFormInfo(QWidget *parent = nullptr);
};
