-- Vela's factory presets (LV2) and programs (VST2, VST3) through Ardour's preset API: lists them, loads one, edits
-- a parameter, loads Init, and reports what Ardour reads back after each step.
local V = dofile (os.getenv ("VELA_LUA_DIR") .. "/vela-in-ardour.lua")

V.start_engine ()
assert (create_session (os.getenv ("VELA_SESSION_DIR"), "test", V.rate), "no session")
local track = Session:new_audio_track (2, 2, nil, 1, V.track_name, ARDOUR.PresentationInfo.max_order,
                                       ARDOUR.TrackMode.Normal, true, false):front ()
local vela = V.new_vela ()
track:add_processor_by_index (vela, 0, nil, true)
local plugin = vela:to_plugininsert ():plugin (0)

-- LV2 presets come with the plug-in's description; VST programs only from a running instance, by number.
local program_uris = {
	vst2 = "VST:%s:%04d",
	vst3 = "VST3-P:%s:%04d",
}
local format = os.getenv ("VELA_FORMAT")
if program_uris[format] then
	local number = 0
	while true do
		local preset = plugin:preset_by_uri (string.format (program_uris[format], plugin:get_info ().unique_id, number))
		if not preset then break end
		V.report ("PRESET", preset.label)
		number = number + 1
	end
else
	for preset in plugin:get_info ():get_presets (false):iter () do
		V.report ("PRESET", preset.label)
	end
end

local function load (label)
	local preset = plugin:preset_by_label (label)
	assert (preset, "Ardour has no preset " .. label)
	assert (plugin:load_preset (preset), "Ardour did not load " .. label)
	V.settle ()
end

local function step (tag)
	V.report ("LAST", tag, plugin:last_preset ().label)
	V.report_values (tag, vela)
end

local controls = V.controls (vela)
load (os.getenv ("VELA_PRESET"))
step ("loaded")
local id, value = os.getenv ("VELA_EDIT"):match ("^(%w+)=([-%d.]+)$")
controls[id].set (tonumber (value))
V.settle ()
step ("edited")
load ("Init")
step ("init")
close_session ()
