-- What the session scripts share: the engine, the session, Vela's insert and its parameters as Ardour shows them.
-- Loaded with dofile by make-session.lua, reopen-session.lua and presets.lua; the driver passes everything through
-- the environment (see ardour-test.sh).

local M = {}

M.rate = 48000
M.track_name = "Vela"
M.seconds = tonumber (os.getenv ("VELA_SECONDS"))

local plugin_types = {
	lv2 = ARDOUR.PluginType.LV2,
	vst3 = ARDOUR.PluginType.VST3,
	vst2 = ARDOUR.PluginType.LXVST,
}

function M.start_engine ()
	-- The dummy back end needs neither a sound card nor a server.
	assert (AudioEngine:set_backend ("None (Dummy)", "", ""), "no dummy back end")
end

-- A line for the driver: it reads only lines that start with a capital word and a tab.
function M.report (...)
	print (table.concat ({ ... }, "\t"))
end

-- Parameter ids, names, ranges and skews as vela-render --list-params prints them: the plug-in's own table.
function M.parameter_table ()
	local list = {}
	for line in io.lines (os.getenv ("VELA_PARAMS")) do
		local index, id, name, range = line:match ("^(%d+)\t([^\t]+)\t([^\t]+)\t([^\t]+)")
		local low, high = range:match ("^([-%d.]+)%.%.([-%d.]+)")
		list[#list + 1] = {
			index = tonumber (index), id = id, name = name,
			low = tonumber (low), high = tonumber (high),
			skew = tonumber (range:match ("skew ([%d.]+)") or "1"),
		}
	end
	return list
end

-- The settings every format gets, as real values: id=value, one a line.
function M.settings ()
	local list = {}
	for line in io.lines (os.getenv ("VELA_SETTINGS")) do
		local id, value = line:match ("^(%w+)=([-%d.]+)$")
		if id then list[#list + 1] = { id = id, value = tonumber (value) } end
	end
	return list
end

function M.new_vela ()
	local format = os.getenv ("VELA_FORMAT")
	local name = format == "lv2" and os.getenv ("VELA_LV2_URI") or "Vela"
	local vela = ARDOUR.LuaAPI.new_plugin (Session, name, plugin_types[format], "")
	assert (not vela:isnil (), "Ardour has no " .. format .. " Vela")
	return vela
end

function M.track ()
	local track = Session:route_by_name (M.track_name)
	assert (not track:isnil ())
	return track
end

-- The generator sits first on the track, Vela second.
function M.vela_on (track)
	local vela = track:nth_plugin (1)
	assert (not vela:isnil (), "no Vela on the track")
	return vela
end

-- Ardour's control for each of Vela's parameters, found by id (LV2: the property URI ends in it) or by name
-- (VST2, VST3), with the mapping between real values and the control's own: the LV2 controls carry real values,
-- the VST ones 0..1, which JUCE maps with the parameter's skew.
function M.controls (vela)
	local uri = os.getenv ("VELA_LV2_URI")
	local by_key = {}
	local automatable = vela:to_automatable ()
	for param in automatable:all_automatable_params ():iter () do
		local control = automatable:automation_control (param, false)
		by_key[control:name ()] = control
	end
	local list = {}
	for _, p in ipairs (M.parameter_table ()) do
		local control = by_key["property-" .. uri .. ":" .. p.id] or by_key[p.name]
		assert (control, "Ardour shows no control for " .. p.id)
		local d = control:desc ()
		local normalised = d.upper == 1 and p.high ~= 1
		local entry = { id = p.id, control = control, low = p.low, high = p.high, skew = p.skew }
		function entry.to_host (real)
			if not normalised then return real end
			return ((real - p.low) / (p.high - p.low)) ^ p.skew
		end
		function entry.from_host (value)
			if not normalised then return value end
			return p.low + (p.high - p.low) * value ^ (1 / p.skew)
		end
		function entry.set (real)
			control:set_value (entry.to_host (real), PBD.GroupControlDisposition.NoGroup)
		end
		function entry.get ()
			return entry.from_host (control:get_value ())
		end
		list[#list + 1] = entry
		list[p.id] = entry
	end
	return list
end

-- Every parameter as Ardour reads it back, in real values, for the driver to compare.
function M.report_values (tag, vela)
	for _, c in ipairs (M.controls (vela)) do
		M.report ("VALUE", tag, c.id, string.format ("%.6g", c.get ()))
	end
end

-- Ardour's own export of the master bus over the whole test, into the folder OUT/NAME as 32-bit float WAV,
-- undithered and not normalised (float-wav.format).
function M.export (name)
	local folder = ARDOUR.LuaAPI.build_filename (os.getenv ("VELA_OUT"), name)
	os.execute ("mkdir -p '" .. folder .. "'")
	local export = Session:simple_export ()
	export:set_folder (folder)
	export:set_name (name)
	export:set_range (0, math.floor (M.seconds * M.rate))
	assert (export:set_preset (os.getenv ("VELA_EXPORT_PRESET")), "no export preset")
	assert (export:run_export (), "export failed")
	M.settle ()
	M.report ("BLOCK", name, Session:get_block_size ())
end

-- Lets Ardour's process thread take queued changes (parameter values, presets) before they are read back.
function M.settle ()
	for _ = 1, 4 do
		ARDOUR.LuaAPI.usleep (20000)
		ARDOUR.LuaAPI.wait_for_process_callback (1, 1)
	end
end

return M
