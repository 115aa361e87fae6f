#include "SvgRaster.h"

#include <cairo.h>
#include <librsvg/rsvg.h>
#include <memory>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& what, GError* error)
{
    const QString message = what + ": " + QString::fromUtf8(error ? error->message : "librsvg failed");
    if (error)
        g_error_free(error);
    throw std::runtime_error(message.toStdString());
}

}  // namespace

QImage rasteriseSvg(const QByteArray& document, QSize pixels, const QString& what)
{
    GError* error = nullptr;
    std::unique_ptr<RsvgHandle, decltype(&g_object_unref)> handle(
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(document.constData()), gsize(document.size()),
                                  &error),
        g_object_unref);
    if (!handle)
        fail(what, error);
    // Cairo's ARGB32 is premultiplied and native-endian, the same memory as this QImage format.
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(image.bits(), CAIRO_FORMAT_ARGB32, pixels.width(),
                                                                   pixels.height(), int(image.bytesPerLine()));
    cairo_t* cr = cairo_create(surface);
    const RsvgRectangle viewport{0, 0, double(pixels.width()), double(pixels.height())};
    const bool drawn = rsvg_handle_render_document(handle.get(), cr, &viewport, &error);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    cairo_surface_destroy(surface);
    if (!drawn)
        fail(what, error);
    return image;
}
