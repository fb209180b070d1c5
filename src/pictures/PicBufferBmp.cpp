// The buffer as the windows use it: frames are BMP files.
#include "pictures/BmpCodec.h"
#include "pictures/PicBuffer.h"

namespace vok {

TPicBuffer::TPicBuffer() : TPicBuffer(LoadBitmapFromFile) {}

}  // namespace vok
