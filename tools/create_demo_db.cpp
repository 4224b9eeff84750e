// Creates the station's demo databases in a folder, with the embedded engine:
//   <folder>/datos/general.fdb        companies 001 and 002, users ADMIN and CAJERO
//   <folder>/datos/001/tallyvo.fdb    Supermercado La Economía (50,000 articles by default)
//   <folder>/datos/002/tallyvo.fdb    Ferretería El Tornillo Feliz
// Writes <folder>/SERVIDORES.cfg with the folder as the one server entry and
// sets the registry value "Directorio" to the folder. Article pictures (PNG and
// JPEG) are drawn here, after the kind of article (tools/demo/article_picture).
//
//   create_demo_db <folder> [--articulos N] [--fuente <repository root>]
//   create_demo_db <folder> --registrar   only names the folder in the registry value
#include <png.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/registry.h"
#include "framework/data/sql/database_setup.h"
#include "framework/data/sql/fb_statement.h"
#include "tools/demo/article_picture.h"

namespace fs = std::filesystem;
using namespace tv;

namespace {

bool RegisterFolder(const fs::path& folder) {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!reg.OpenKey("\\Software\\Orvane\\Tallyvo2008", true)) return false;
    reg.WriteString("Directorio", folder.string());
    return true;
}

std::string Png(const demo::RgbImage& img) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("no se pudo crear la imagen PNG");
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<char*>(data), n);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.width), static_cast<png_uint_32>(img.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < img.height; ++y)
        png_write_row(png, const_cast<png_bytep>(&img.rgb[static_cast<size_t>(y * img.width * 3)]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string Jpeg(const demo::RgbImage& img) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(img.width);
    cinfo.image_height = static_cast<JDIMENSION>(img.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&img.rgb[static_cast<size_t>(cinfo.next_scanline) * img.width * 3]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string out(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

// Pictures of the first `count` articles, PNG and JPEG in turn, drawn after
// the kind of article their subgroup holds.
void AddPictures(const std::string& companyDb, int count) {
    fb::FbDatabase db;
    db.Open(companyDb, {});
    struct Article {
        std::string code, description, subgroup;
    };
    std::vector<Article> articles;
    fb::FbStatement read(db);
    read.Prepare("SELECT FIRST " + std::to_string(count) +
                 " A.ARTI_COD, A.ARTI_DES, S.SUBG_NOM FROM ARTICULO A LEFT JOIN SUBGRUPO S"
                 " ON S.GRUP_COD = A.GRUP_COD AND S.SUBG_COD = A.SUBG_COD ORDER BY A.ARTI_COD");
    read.Open();
    while (read.Fetch())
        articles.push_back({read.AsString(0), read.AsString(1), read.AsString(2)});
    read.Close();
    fb::FbStatement q(db);
    q.Prepare("UPDATE ARTICULO SET ARTI_FOTO = ? WHERE ARTI_COD = ?");
    for (std::size_t i = 0; i < articles.size(); ++i) {
        demo::RgbImage img = demo::DrawArticle(articles[i].subgroup, articles[i].description);
        q.Params().SetBytes(0, i % 2 ? Png(img) : Jpeg(img));
        q.Params().SetString(1, articles[i].code);
        q.Execute();
    }
}

void AddLogos(const std::string& generalDb) {
    fb::FbDatabase db;
    db.Open(generalDb, {});
    fb::FbStatement q(db);
    q.Prepare("UPDATE COMPANIA SET COMP_LOGO = ? WHERE COMP_COD = ?");
    const char* codes[] = {"001", "002"};
    for (int i = 0; i < 2; ++i) {
        q.Params().SetBytes(0, Png(demo::DrawShopLogo(i == 1)));
        q.Params().SetString(1, codes[i]);
        q.Execute();
    }
}

std::string FindSourceRoot(const char* argv0) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::path(argv0), ec).parent_path();
    for (; !p.empty() && p != p.root_path(); p = p.parent_path()) {
        if (fs::exists(p / "db" / "company"))
            return p.string();
        // Installed: <prefix>/lib/tallyvo/create_demo_db and <prefix>/share/tallyvo/db.
        if (fs::exists(p / "share" / "tallyvo" / "db" / "company")) return (p / "share" / "tallyvo").string();
    }
    return fs::current_path().string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "uso: create_demo_db <carpeta> [--articulos N] [--fuente <raíz del proyecto>]\n";
        return 2;
    }
    fs::path folder = fs::absolute(argv[1]);
    if (argc == 3 && std::string(argv[2]) == "--registrar") {
        if (RegisterFolder(folder)) return 0;
        std::cerr << "No se pudo escribir el registro (Directorio).\n";
        return 1;
    }
    int articles = 50000;
    std::string source = FindSourceRoot(argv[0]);
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string opt = argv[i];
        if (opt == "--articulos")
            articles = std::atoi(argv[i + 1]);
        else if (opt == "--fuente")
            source = argv[i + 1];
    }
    try {
        std::string scripts = fb::ScriptsFolder(source);
        fs::path datos = folder / "datos";
        if (fs::exists(datos / "general.fdb")) {
            std::cerr << "Ya existen bases de datos en " << datos << "\n";
            return 1;
        }
        std::cout << "Base general..." << std::endl;
        fb::CreateGeneralDatabase((datos / "general.fdb").string(), scripts, true);
        AddLogos((datos / "general.fdb").string());

        std::cout << "Compañía 001 con " << articles << " artículos..." << std::endl;
        fb::CompanyDemo super{"Supermercado La Economía", articles};
        fb::CreateCompanyDatabase((datos / "001" / "tallyvo.fdb").string(), scripts, &super);
        AddPictures((datos / "001" / "tallyvo.fdb").string(), 400);

        std::cout << "Compañía 002..." << std::endl;
        fb::CompanyDemo ferreteria{"Ferretería El Tornillo Feliz", std::max(1, articles / 20), "FERRETERIA"};
        fb::CreateCompanyDatabase((datos / "002" / "tallyvo.fdb").string(), scripts, &ferreteria);
        AddPictures((datos / "002" / "tallyvo.fdb").string(), 150);

        // The login window lists these entries; a last line needs its line end.
        std::ofstream(folder / "SERVIDORES.cfg", std::ios::binary) << folder.string() << "\r\n";

        if (!RegisterFolder(folder)) std::cerr << "No se pudo escribir el registro (Directorio).\n";
        std::cout << "Listo: " << folder.string() << std::endl;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
