#pragma once

#include <QIcon>
#include <QList>

// The 37 pictures of the menus and toolbars, addressed by index.
class TFimages
{
public:
    static constexpr int Anzahl = 37;

    TFimages();
    // An empty icon for an index outside the list.
    QIcon Image(int index) const;

private:
    QList<QIcon> m_images;
};
