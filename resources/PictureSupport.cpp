#include "PictureSupport.h"

std::shared_ptr<TPictureSupport> PictureSupport()
{
    static std::weak_ptr<TPictureSupport> shared;
    std::shared_ptr<TPictureSupport> support = shared.lock();
    if (!support) {
        support = std::make_shared<TPictureSupport>();
        shared = support;
    }
    return support;
}
