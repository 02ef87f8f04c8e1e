#include "pictures/jpegscale.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "pictures/rawimage.h"

namespace zorbla {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// The library's default ends the process on a bad file; jump back to the caller instead.
[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {}  // warnings about a damaged file are not the user's business

// Everything with a destructor lives outside the function that may longjmp.
bool decode(const QByteArray& jpeg, QSize drawn, QImage* out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    errors.pub.output_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), jpeg.size());
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom =
        unsigned(jpegReduction(QSize(int(info.image_width), int(info.image_height)), drawn));
    // Straight into the layout of QImage::Format_RGB32, with no conversion afterwards.
    info.out_color_space = JCS_EXT_BGRX;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&info);
    *out = imageInLargePages(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

int jpegReduction(QSize picture, QSize drawn) {
    // An enlargement by up to 8/7 after the reduced decode cannot be told from the full one
    // on the smooth pictures this draws, and it saves decoding three quarters of the pixels.
    int reduction = 1;
    while (reduction < 8) {
        const int next = reduction * 2;
        const qint64 w = (picture.width() + next - 1) / next;
        const qint64 h = (picture.height() + next - 1) / next;
        if (w * 8 < qint64(drawn.width()) * 7 || h * 8 < qint64(drawn.height()) * 7)
            break;
        reduction = next;
    }
    return reduction;
}

QImage decodeJpegForSize(const QByteArray& jpeg, QSize drawn) {
    if (drawn.isEmpty() || jpeg.isEmpty())
        return QImage();
    QImage image;
    return decode(jpeg, drawn, &image) ? image : QImage();
}

}  // namespace zorbla
