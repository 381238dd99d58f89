// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Runs.h"

namespace terravia::test {

std::vector<Step> PositiveScreening() {
    return {Yes(QStringLiteral("Has the site history been established?"))};
}

std::vector<Step> TonnageAndMedium(const QString& tonnage) {
    return {Input(QStringLiteral("Tonnage"),
                  QStringLiteral("Enter the tonnage of contaminated material"), tonnage),
            Yes(QStringLiteral("Soil, Sediment, Bedrock and Sludge Treatment Technologies?"))};
}

std::vector<Step> RedStopTail() {
    return {
        Input(QStringLiteral("Concentration"),
              QStringLiteral("Enter the concentration of COCs (mg/kg)"), QStringLiteral("50")),
        Yes(QStringLiteral("Is the material particularly recaltricent?")),
        Message(QStringLiteral("Information required"),
                QStringLiteral("Ex-situ is not a technical option")),
        ProcessComplete().front(),
    };
}

std::vector<Step> GreenExSitu() {
    return {
        Input(QStringLiteral("Concentration"),
              QStringLiteral("Enter the concentration of COCs (mg/kg)"), QStringLiteral("500")),
        No(QStringLiteral("Is the hydrocarbon light aliphatic/monoaromatic?")),
        Yes(QStringLiteral("Is the hydrocarbon in the gasoline/paraffin/diesel range?")),
        Input(QStringLiteral("Respiration rate"),
              QStringLiteral(
                  "Enter the matrix respiration rate (mg CO2 per gram dry weight soil per day)"),
              QStringLiteral("0.5")),
        Input(QStringLiteral("Soil pH"), QStringLiteral("Enter the soil pH"), QStringLiteral("7")),
        Input(QStringLiteral("Bulk density"), QStringLiteral("Enter the soil bulk density"),
              QStringLiteral("1.2")),
        Input(QStringLiteral("Water holding capacity"),
              QStringLiteral(
                  "Enter the water holding capacity (g water per 100g soil to bring to field "
                  "capacity)"),
              QStringLiteral("30")),
        Message(QStringLiteral("Ex situ is valid"),
                QStringLiteral("Ex-situ is a valid technical option, with a green light")),
    };
}

std::vector<Step> PlainBiological() {
    return {
        Input(QStringLiteral("CFU concentration"),
              QStringLiteral("Enter the concentration of CFU degraders per gram of soil"),
              QStringLiteral("50000")),
        Input(QStringLiteral("CFU heterotrophs"),
              QStringLiteral("Enter the concentration of CFU heterotrophs per gram of soil"),
              QStringLiteral("2000")),
        Input(QStringLiteral("Respiration rate after bioaugmentation"),
              QStringLiteral(
                  "Enter the respiration rate after bioaugmentation (mg CO2/gram dry soil)"),
              QStringLiteral("0.1")),
        Input(QStringLiteral("Biodegradation rate"),
              QStringLiteral(
                  "Enter the rate of biodegradation measured in microcosm (mg per kg per day)"),
              QStringLiteral("150")),
        Input(QStringLiteral("C concentration associated with TPH"),
              QStringLiteral("Enter the concentration of C (mg/kg) associated with TPH"),
              QStringLiteral("123")),
        Input(QStringLiteral("Co-contaminants"),
              QStringLiteral("Enter the concentration of co-contaminants (mg/kg)"),
              QStringLiteral("500")),
        Yes(QStringLiteral("Has a bioavailability assay been carried out?")),
        Yes(QStringLiteral("Has a degradation bioassay been carried out?")),
        No(QStringLiteral(
            "Did the residual soil after extraction have a concentration that exceeded the "
            "SGV or SSAC?")),
    };
}

std::vector<Step> OffSiteTargets() {
    return {
        Yes(QStringLiteral("Has a full chemical analysis been conducted of the materials?")),
        No(QStringLiteral("Is the intended end-use on-site?")),
    };
}

std::vector<Step> SaveAs(const QString& path) {
    return {Save(QStringLiteral("Conclusions file"), path)};
}

std::vector<Step> ProcessComplete() {
    return {Message(QStringLiteral("Process complete"), QStringLiteral("The process is complete"))};
}

std::vector<Step> GreenRun(const QString& path) {
    return Join({TonnageAndMedium(), GreenExSitu(), PlainBiological(), OffSiteTargets(),
                 SaveAs(path), ProcessComplete()});
}

std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (const std::vector<Step>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

QStringList ConclusionLines(const Session& session) {
    QStringList lines;
    for (int i = 1; i <= session.ConclusionCount; ++i)
        lines.append(session.Conclusions[static_cast<std::size_t>(i)]);
    return lines;
}

} // namespace terravia::test
