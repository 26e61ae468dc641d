#include "json_output.hpp"

#include "component_names.hpp"
#include "methane_number_display.hpp"
#include "property_columns.hpp"
#include "status_text.hpp"

namespace mncalc {

namespace {

Json components_json(const tervol::Composition& values) {
    Json object = Json::object();
    for (std::size_t s = 0; s < values.size(); ++s) {
        object[std::string(component_formulas[s])] = values[s];
    }
    return object;
}

Json groups_json(const tervol::Result& result) {
    Json groups = Json::array();
    for (int i = 0; i < result.group_count; ++i) {
        const tervol::GroupResult& group = result.groups[static_cast<std::size_t>(i)];
        groups.push_back({{"group", group.group},
                          {"methane_number", group.methane_number},
                          {"share", group.share},
                          {"position_shares", group.position_share},
                          {"extrapolated", group.extrapolated}});
    }
    return groups;
}

Json target_misses_json(const tervol::Result& result) {
    Json misses = Json::array();
    for (int i = 0; i < result.target_miss_count; ++i) {
        const tervol::TargetMiss& miss = result.target_misses[static_cast<std::size_t>(i)];
        Json entry = {{"slot", miss.slot}};
        if (miss.slot >= 1 && miss.slot <= component_count) {
            entry["component"] =
                std::string(component_formulas[static_cast<std::size_t>(miss.slot - 1)]);
        }
        entry["target_share"] = miss.target_share;
        entry["apportioned_total"] = miss.apportioned_total;
        misses.push_back(std::move(entry));
    }
    return misses;
}

Json inert_json(const tervol::InertCorrection& inert) {
    return {{"combustible", inert.combustible},
            {"co2", inert.co2},
            {"n2", inert.n2},
            {"combustible_below_range", inert.combustible_below_range},
            {"co2_above_range", inert.co2_above_range},
            {"n2_above_range", inert.n2_above_range},
            {"methane_number_at_gas", inert.methane_number_at_gas},
            {"combustible_n2_free", inert.combustible_n2_free},
            {"co2_n2_free", inert.co2_n2_free},
            {"methane_number_n2_free", inert.methane_number_n2_free},
            {"methane_number_pure_methane", inert.methane_number_pure_methane}};
}

Json properties_json(const tervol::GasProperties& p) {
    Json object;
    for (const PropertyColumn& column : property_columns) {
        object[std::string(column.name)] = p.*column.member;
    }
    object["volumetric_heating_value_kwh_per_m3"] = p.volumetric_heating_value;
    object["volumetric_air_requirement_m3_per_m3"] = p.volumetric_air_requirement;
    return object;
}

} // namespace

std::string dump(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json gas_result_json(const EntryValues& entered, const EntrySettings& settings,
                     const Evaluation& evaluation) {
    const tervol::Result& result = evaluation.result;
    Json remarks = Json::array();
    for (std::string_view remark : status_remarks(result.status)) {
        remarks.push_back(std::string(remark));
    }
    Json object;
    object["unit"] = std::string(unit_name(settings.unit));
    object["normalize"] = settings.normalize;
    object["entered"] = components_json(entered);
    object["entered_total"] = evaluation.entry_total;
    object["composition_volume_percent"] = components_json(evaluation.composition);
    object["status"] = result.status;
    object["status_remarks"] = std::move(remarks);
    if (result.accepted) {
        object["methane_number"] = result.methane_number;
        object["methane_number_display"] = dialog_display(result.methane_number, result.status);
        object["methane_number_inert_free"] = result.methane_number_inert_free;
        object["lambda1_methane_number"] = result.lambda1_methane_number;
    } else {
        for (const char* key : {"methane_number", "methane_number_display",
                                "methane_number_inert_free", "lambda1_methane_number"}) {
            object[key] = nullptr;
        }
    }
    object["calculated"] = result.calculated;
    object["optimised"] = result.optimised;
    object["iterations"] = result.iterations;
    object["spread"] = result.spread;
    object["high_hydrocarbons"] = result.high_hydrocarbons;
    object["groups"] = groups_json(result);
    object["target_misses"] = target_misses_json(result);
    object["inert_correction"] = inert_json(result.inert);
    object["properties"] = result.accepted ? properties_json(result.properties) : Json(nullptr);
    return object;
}

} // namespace mncalc
