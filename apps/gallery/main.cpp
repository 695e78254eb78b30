// roamplot-gallery: writes a contact sheet of every box drawing rule to a PNG file.
#include <QBuffer>
#include <QGuiApplication>
#include <filesystem>
#include <iostream>

#include "GallerySheet.h"
#include "core/io/FileIo.h"
#include "core/model/ParameterCatalogue.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: roamplot-gallery OUTPUT.png\n";
        return 2;
    }
    // The units lines of the catalogue beside the program, when there is one.
    roamplot::ParameterCatalogue catalogue;
    std::error_code error;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::string catalogueFile = (folder / "Parameters.dat").string();
    roamplot::RenderContext context;
    if (!error && std::filesystem::exists(catalogueFile) &&
        catalogue.LoadFile(catalogueFile).empty())
        context.Catalogue = &catalogue;

    const QImage sheet = roamplot::gallery::MakeGallerySheet(context);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    sheet.save(&buffer, "PNG");
    const std::string failure =
        roamplot::WriteFileAtomically(argv[1], std::string_view(png.constData(), png.size()));
    if (!failure.empty()) {
        std::cerr << "roamplot-gallery: cannot write \"" << argv[1] << "\": " << failure << "\n";
        return 1;
    }
    std::cout << "wrote " << argv[1] << " (" << sheet.width() << " x " << sheet.height() << ")\n";
    return 0;
}
