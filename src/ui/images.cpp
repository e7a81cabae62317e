#include "ui/images.h"

TFimages::TFimages() = default;

QIcon TFimages::Image(int index) const
{
    return m_images.value(index);
}
