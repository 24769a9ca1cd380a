#pragma once

#include <QHeaderView>

// The column header of TTesselListView: a green gradient with lines in
// #7EA38B, framed all round or, with the frame off, with lines only
// between the columns, along the bottom and after the last column.
class TTesselListHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit TTesselListHeader(QWidget *parent = nullptr);

    bool Frame() const { return m_frame; }
    void SetFrame(bool on);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_frame = true;
};
