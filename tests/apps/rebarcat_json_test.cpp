// Every --json answer of rebarcat read by a real JSON parser: one key style, names as
// strings, true/false, numbers as numbers and null for what is not given.
#include <nlohmann/json.hpp>

#include "rebarcat_fixture.h"

namespace {

// Expects every object key in `value`, at any depth, to be one camel-case word.
void expectCamelCaseKeys(const nlohmann::json& value) {
    if (value.is_object())
        for (const auto& [key, member] : value.items()) {
            EXPECT_EQ(key.find_first_of(" -_"), std::string::npos) << key;
            expectCamelCaseKeys(member);
        }
    if (value.is_array())
        for (const auto& element : value) expectCamelCaseKeys(element);
}

}  // namespace

TEST_F(Rebarcat, EveryJsonAnswerParsesWithCamelCaseKeys) {
    const std::vector<std::vector<std::string>> commands = {
        {"info"},
        {"families"},
        {"standards"},
        {"bars", "Grade 60"},
        {"bar", "FE500 HA", "12", "--si"},
        {"weight", "Grade 60", "5", "20"},
        {"names", "Grade 60"},
        {"standard", "Grade 60"},
        {"diameters", "--standard", "ACI"},
        {"hook", "ACI", "Grade 60", "5"},
        {"hook", "ACI", "Grade 60", "5", "--minimal", "tie", "--angle", "90"},
        {"set", "FE500 HA", "10", "--weight", "0.6"},
        {"add", "FE500 HA", "16", "--diameter", "16"},
        {"remove", "FE500 HA", "16"},
    };
    for (std::vector<std::string> words : commands) {
        SCOPED_TRACE(words[0]);
        words.push_back("--json");
        const std::string out = said(words);
        EXPECT_NO_THROW(expectCamelCaseKeys(nlohmann::json::parse(out))) << out;
    }
}

TEST_F(Rebarcat, JsonValuesHaveTheirOwnTypes) {
    auto bars = nlohmann::json::parse(said({"bars", "Grade 60", "--json"}));
    EXPECT_EQ(bars["bars"][1]["name"], "5") << "a name that looks numeric stays a string";
    EXPECT_EQ(bars["units"]["weight"], "lb/ft");
    auto families = nlohmann::json::parse(said({"families", "--json"}));
    EXPECT_EQ(families[0]["fixedDiameter"], false);
    EXPECT_EQ(families[0]["bars"], 2);
    EXPECT_EQ(nlohmann::json::parse(said({"info", "--json"}))["barCatalogue"], true);

    // Shortest round-trip digits: 0.1 + 0.2 is not 0.3 and must not come back as 0.3.
    said({"set", "FE500 HA", "10", "--weight", "0.30000000000000004"});
    auto bar = nlohmann::json::parse(said({"bar", "FE500 HA", "10", "--json"}));
    EXPECT_EQ(bar["bar"]["weight"].get<double>(), 0.1 + 0.2);
}
