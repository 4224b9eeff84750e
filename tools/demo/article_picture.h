#pragma once
// Pictures for the demo shops' articles: the kind of article, chosen by its
// subgroup ("Granos y azúcar", "Martillos"...), drawn as a simple shape in a
// colour that suits the description, with the product's first word on
// packaged goods; and the two shops' logos.
#include <string>
#include <vector>

namespace demo {

struct RgbImage {
    int width = 160, height = 120;
    std::vector<unsigned char> rgb;  // rows of red, green, blue bytes
};

RgbImage DrawArticle(const std::string& subgroup, const std::string& description);
RgbImage DrawShopLogo(bool hardwareStore);

} // namespace demo
