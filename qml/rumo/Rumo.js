.pragma library

.import "../../qml/SampleInterval.js" as SampleInterval

// What the RUMO pages work out from core's JSON: the sensor pictures of the
// run list, the columns of the sample table, the charts and statistics of a
// run, and the options of the report window.

// The picture of a sensor type (and, for a gas sensor, its gas); empty when
// there is none. Types and gases match whole and case-sensitively.
function sensorPicture(type, subType) {
    var gases = {
        "CO": "IconCO", "C2H6O": "IconC2H6O", "H2S": "IconH2S", "SO2": "IconSO2",
        "NO2": "IconNO2", "O3": "IconO3", "VOC": "IconVOC"
    }
    var sensors = {
        "LUX": "IconLux", "LUX_UV": "IconLux_UV", "UV": "IconUV", "AMB": "IconIAQ",
        "HVAC": "IconHVAC", "HVAC_AMB": "IconHVAC_IAQ", "CO2": "IconCO2", "MAG": "IconMag",
        "EMF": "IconEmf", "RAD": "IconRad", "VOC": "IconVOC"
    }
    var table = type === "GAS" ? gases : sensors
    var key = type === "GAS" ? subType : type
    return table.hasOwnProperty(key) ? "qrc:/" + table[key] + ".png" : ""
}

// The numbers of `list` in ascending order (a copy).
function sortedNumbers(list) {
    return (list || []).slice().sort(function (a, b) { return Number(a) - Number(b) })
}

// True when every run of `runs` at the positions `selected` has the type of
// the first.
function sameApplication(runs, selected) {
    if (!selected.length)
        return true
    var type = runs[selected[0]] ? runs[selected[0]].type : undefined
    for (var i = 1; i < selected.length; ++i) {
        if (!runs[selected[i]] || runs[selected[i]].type !== type)
            return false
    }
    return true
}

// "mm:ss" with both parts 00 to 59 and at least a second: "" when the
// instrument takes it, else what is wrong.
function intervalProblem(text, formatMessage, zeroMessage) {
    return SampleInterval.problem(text, formatMessage, zeroMessage)
}

// A quantity's title: its translated name, with its unit in brackets when it
// has one.
function quantityTitle(quantity) {
    var name = quantity && quantity.nameTr !== undefined ? quantity.nameTr : ""
    var unit = quantity && quantity.unity ? quantity.unity : ""
    return unit !== "" ? name + " [" + unit + "]" : name
}

// The sample key of quantity `index`.
function valueKey(index) {
    return "physicalQuantitiesList." + index
}

// The columns of the sample table (core.samples.newTable): the time, then
// one per quantity.
function tableColumns(quantities) {
    var columns = [{ "key": "date", "format": "time" }]
    for (var j = 0; j < quantities.length; ++j)
        columns.push({ "key": valueKey(j), "role": "q" + j, "format": "number", "decimals": 2 })
    return columns
}

// A statistic the instrument wrote, as the report prints it: two decimals of
// its single-precision value in the user's locale, "---" when it is no
// number or beyond single precision.
function statisticText(text) {
    if (text === undefined || text === null || String(text).trim() === "")
        return "---"
    var single = Math.fround(Number(text))
    return isFinite(single) ? single.toLocaleString(Qt.locale(), 'f', 2) : "---"
}

// The statistics boxes: per quantity its name, unit, value text and grid row
// (1 for the first quantity).
function finalResultsData(results) {
    var quantities = results.quantitiesInfoList || []
    function list(values) {
        var entries = []
        for (var i = 0; i < quantities.length; ++i)
            entries.push({ "quantityName": quantities[i].nameTr, "quantityUnity": quantities[i].unity,
                           "value": statisticText((values || [])[i]), "idx": i + 1 })
        return entries
    }
    return { "minList": list(results.minList), "avgList": list(results.averageList),
             "maxList": list(results.maxList) }
}

// The value axis of a chart from the run's minimum and maximum: their span;
// a flat one between 0 and the value (around 0 itself); null when they are
// no numbers or the maximum is below the minimum.
function valueRange(minText, maxText) {
    var min = Number(minText)
    var max = Number(maxText)
    if (String(minText).trim() === "" || String(maxText).trim() === "" || isNaN(min) || isNaN(max)
            || max < min)
        return null
    if (max > min)
        return { "min": min, "max": max }
    if (min > 0)
        return { "min": 0, "max": min }
    if (min < 0)
        return { "min": min, "max": 0 }
    return { "min": -1, "max": 1 }
}

// The charts of a run, one per quantity.
function chartModel(results) {
    var quantities = results.quantitiesInfoList || []
    var charts = []
    for (var i = 0; i < quantities.length; ++i)
        charts.push({ "index": i, "quantityName": quantities[i].nameTr,
                      "quantityUnity": quantities[i].unity, "sampleTime": results.sampleTime,
                      "minValue": (results.minList || [])[i], "maxValue": (results.maxList || [])[i] })
    return charts
}

// The quantities the report window offers: the name and the index into the
// run's quantity list.
function printerQuantities(results) {
    var quantities = results.quantitiesInfoList || []
    var entries = []
    for (var i = 0; i < quantities.length; ++i)
        entries.push({ "name": quantities[i].nameTr, "idx": i })
    return entries
}

// The report options in the order the report reads them. `p` holds the
// window's states: the switches, the two selection lists, and per text field
// {checked, text} (collector, own company, reporter, reporter ID, company,
// site), the logo {checked, file}, the notes {checked, text} and the file
// name. A text goes in only when its switch is on; the reporter ID only with
// the reporter.
function reportOptions(p) {
    var o = {}
    o.ckbMaxMin = !!p.maxMin
    o.ckbAvg = !!p.avg
    o.ckbCalibration = !!p.calibration
    o.ckbTable = !!p.table
    o.selectedTableColumnsList = p.table ? sortedNumbers(p.tableColumns) : []
    o.ckbChart = !!p.chart
    o.selectedChartsList = p.chart ? sortedNumbers(p.charts) : []
    function field(switchKey, textKey, f) {
        o[switchKey] = !!f.checked
        if (f.checked)
            o[textKey] = f.text
    }
    field("collectorInfoEnable", "collectorName", p.collector)
    field("ownCompanyInfoEnable", "ownCompany", p.ownCompany)
    field("repInfoEnable", "repName", p.reporter)
    if (p.reporter.checked)
        field("repIdInfoEnable", "repIdReg", p.reporterId)
    field("cmpnyInfoEnable", "cmpnyName", p.company)
    field("siteInfoEnable", "siteName", p.site)
    o.logoEnable = !!p.logo.checked
    if (p.logo.checked)
        o.logoFile = p.logo.file
    o.obsEnable = !!p.notes.checked
    if (p.notes.checked)
        o.obsText = p.notes.text
    o.fileName = p.fileName
    return o
}
