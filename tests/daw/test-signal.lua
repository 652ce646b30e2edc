ardour {
	["type"]    = "dsp",
	name        = "Vela Test Signal",
	category    = "Instrument",
	license     = "GPL",
	author      = "Vela tests",
	description = [[Plucks and a click at fixed places on the timeline, so that every run plays the same samples.]]
}

-- Plays only while the transport rolls, from the transport position: two exports of the same session, however
-- Ardour cuts them into cycles, carry the same samples.

function dsp_ioconfig ()
	return { { audio_in = 2, audio_out = 2 } }
end

local rate = 48000

function dsp_init (r)
	rate = r
end

-- Onset (seconds), pitch (Hz), level, and how each side hears it.
local plucks = {
	{ 0.10, 220.0, 0.5, 1.0, 0.6 },
	{ 0.55, 330.0, 0.4, 0.5, 1.0 },
	{ 1.00, 440.0, 0.3, 1.0, 1.0 },
	{ 1.60, 165.0, 0.5, 0.8, 0.4 },
}
local click_at = 2.2

local function sample_at (n, side)
	local t = n / rate
	local v = 0
	for _, p in ipairs (plucks) do
		local age = t - p[1]
		if age >= 0 and age < 0.5 then
			v = v + p[3] * p[3 + side] * math.exp (-age * 9) * math.sin (2 * math.pi * p[2] * age)
		end
	end
	if n == math.floor (click_at * rate) then
		v = v + 0.8
	end
	return v
end

function dsp_run (ins, outs, n_samples)
	local rolling = Session:transport_rolling ()
	local start = Session:transport_sample ()
	for c = 1, #outs do
		local a = {}
		for s = 1, n_samples do
			a[s] = rolling and sample_at (start + s - 1, c) or 0
		end
		outs[c]:set_table (a, n_samples)
	end
end
