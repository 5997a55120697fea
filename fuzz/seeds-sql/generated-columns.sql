CREATE TABLE _HG20616(公称压力PN TEXT, 公称通径DN REAL, seed TEXT,
  法兰外径D AS (replace(replace(seed, 'a', seed || seed), 'a', seed || seed)),
  法兰厚度C AS (length(randomblob(100000))) STORED,
  法兰颈N AS (zeroblob(1000000)));
INSERT INTO _HG20616(公称压力PN, 公称通径DN, seed) VALUES('2.0', 15, 'aaaaaaaaaaaaaaaaaaaa'), ('2.0', 1e999, 'a');
