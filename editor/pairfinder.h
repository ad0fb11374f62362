#pragma once
// Two pictures made elsewhere: the differences found from the pixels.
#include "editor/draft.h"

namespace editor {

// `original` and `edited` framed alike (BGR, level size). The draft's right
// picture is the original with the edited pixels of each found group only,
// so re-compression noise elsewhere does not reach the level.
Draft findDifferences(const cv::Mat& original, const cv::Mat& edited);

} // namespace editor
