#pragma once

#include <QIcon>
#include <QList>

// The 37 pictures of the menus and toolbars, addressed by index.
class TFimages
{
public:
    TFimages();
    QIcon Image(int index) const;

private:
    QList<QIcon> m_images;
};
