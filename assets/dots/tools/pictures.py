"""The dot pictures in scenario order, with what their dot files say beyond the drawing.

start: a point of the drawing (its own units) near which dot 1 lies; the dots then go clockwise.
dots: wanted range of the dot count. ticks: milliseconds per frame. move: pixels per second
after completion (only a move right or down makes the picture leave the field).
icon_bg: colour of the option icon's tile; icon_crop: part of the drawing the icon shows.
points: dots placed by hand (drawing units), each moved onto the outline; else they are chosen
along the outline automatically.
close: gaps narrower than about twice this many pixels are bridged by the outline.
"""

PICTURES = [
    {"name": "fish", "start": (400, 160), "dots": (14, 20), "ticks": 110, "move": (130, 0),
     "icon_bg": "#8fd0f0", "icon_crop": (18, 18, 427, 295)},
    {"name": "house", "start": (210, 98), "dots": (12, 18), "ticks": 200,
     "icon_bg": "#bde7ff", "icon_crop": (20, 0, 400, 430)},
    {"name": "car", "start": (380, 44), "dots": (14, 20), "ticks": 70, "move": (160, 0),
     "icon_bg": "#cdeccf", "icon_crop": (40, 20, 530, 270)},
    {"name": "butterfly", "start": (90, 28), "dots": (14, 22), "ticks": 90, "move": (0, -12),
     "icon_bg": "#d9f2b4"},
    {"name": "rocket", "start": (272, 53), "dots": (12, 18), "ticks": 70, "move": (55, -150),
     "icon_bg": "#3a3f7a", "icon_crop": (20, 30, 340, 440)},
    {"name": "cat", "start": (96, 62), "dots": (14, 22), "ticks": 200,
     "icon_bg": "#ffe3b8", "icon_crop": (20, 50, 400, 430)},
    {"name": "boat", "start": (230, 34), "dots": (12, 18), "ticks": 150, "move": (90, 0),
     "icon_bg": "#8fd0f0"},
    {"name": "star", "start": (210, 32), "dots": (10, 10), "ticks": 120,
     "icon_bg": "#3a3f7a"},
    {"name": "bird", "start": (428, 170), "dots": (14, 20), "ticks": 90, "move": (150, 0),
     "icon_bg": "#bde7ff", "icon_crop": (20, 40, 440, 320)},
    {"name": "flower", "start": (180, 30), "ticks": 150,
     # The petal tips, the cup, the leaf tips and the pot, the same on both sides.
     "points": [(180, 30), (256, 40), (262, 110), (232, 176), (298, 210), (270, 300),
                (262, 384), (234, 465), (126, 465), (98, 384), (90, 290), (62, 200),
                (128, 176), (98, 110), (104, 40)],
     "icon_bg": "#d9f2b4", "icon_crop": (50, 20, 310, 475)},
    {"name": "snail", "start": (290, 52), "dots": (14, 20), "ticks": 220, "move": (-10, 0),
     "icon_bg": "#d9f2b4", "icon_crop": (10, 40, 470, 340)},
    {"name": "duck", "start": (356, 48), "dots": (12, 18), "ticks": 160, "move": (100, 0),
     "icon_bg": "#8fd0f0", "icon_crop": (20, 30, 470, 360)},
]
