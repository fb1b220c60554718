#include "controls/temp_mem_dc.h"

CTempMemDC::CTempMemDC(platform::DrawContext& target, platform::Rect rect, bool copyFromTarget,
                       platform::Colour background)
    : target_(target), rect_(rect), buffer_(rect.width, rect.height, background), bufferDc_(buffer_) {
  if (copyFromTarget) bufferDc_.Copy(0, 0, rect.width, rect.height, target.Target(), rect.x, rect.y);
}

CTempMemDC::~CTempMemDC() { target_.Copy(rect_.x, rect_.y, rect_.width, rect_.height, buffer_, 0, 0); }
